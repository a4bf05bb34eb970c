// The cipher against the published GOST 28147-89 behaviour and against
// libgcrypt's implementation of the same cipher as an independent oracle.
#include "crypt/gost.h"

#include <QRandomGenerator>
#include <QTest>

#include <gcrypt.h>

class TestGost : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ExpandSBoxes();
        QVERIFY(gcry_check_version(nullptr));
    }

    void byteTables()
    {
        QCOMPARE(gost::byteTable(0)[0x00], uint8_t(0xE4));
        QCOMPARE(gost::byteTable(0)[0xFF], uint8_t(0x93));
        QCOMPARE(gost::byteTable(1)[0x00], uint8_t(0x75));
        QCOMPARE(gost::byteTable(3)[0xFF], uint8_t(0xCC));
    }

    // Fixes the byte order, the nibble-to-row order and the rotation direction.
    void roundOnZero()
    {
        uint32_t block[2] = {0, 0};
        GostRound(block, 0);
        QCOMPARE(block[0], 0x33AF20EAu);
        QCOMPARE(block[1], 0u);
    }

    void encryptMatchesLibgcrypt()
    {
        // libgcrypt only lets us choose the key, so the oracle runs on our key.
        gcry_cipher_hd_t h;
        QCOMPARE(gcry_cipher_open(&h, GCRY_CIPHER_GOST28147, GCRY_CIPHER_MODE_ECB, 0), 0u);
        QCOMPARE(gcry_cipher_ctl(h, GCRYCTL_SET_SBOX, const_cast<char *>("1.2.643.2.2.30.0"), 0), 0u);
        unsigned char key[32];
        for (int i = 0; i < 8; ++i)
            for (int b = 0; b < 4; ++b)
                key[4 * i + b] = uchar(gost::CipherKey[i] >> (8 * b));
        QCOMPARE(gcry_cipher_setkey(h, key, sizeof key), 0u);

        auto *rng = QRandomGenerator::global();
        for (int n = 0; n < 1000; ++n) {
            uint32_t block[2] = {rng->generate(), rng->generate()};
            unsigned char in[8], out[8];
            for (int w = 0; w < 2; ++w)
                for (int b = 0; b < 4; ++b)
                    in[4 * w + b] = uchar(block[w] >> (8 * b));
            QCOMPARE(gcry_cipher_encrypt(h, out, 8, in, 8), 0u);
            GostEncryptBlock(block);
            for (int w = 0; w < 2; ++w)
                for (int b = 0; b < 4; ++b)
                    QCOMPARE(uchar(block[w] >> (8 * b)), out[4 * w + b]);
        }
        gcry_cipher_close(h);
    }

    // Encryption ends with a swap, the MAC rounds do not: 16 rounds plus the
    // swap must differ from the MAC transform of the same block.
    void macRoundsDoNotSwap()
    {
        uint32_t a[2] = {0x01234567, 0x89abcdef};
        uint32_t b[2] = {a[0], a[1]};
        GostMacRounds(a);
        for (int pass = 0; pass < 2; ++pass)
            for (int i = 0; i < 8; ++i)
                GostRound(b, gost::CipherKey[i]);
        QCOMPARE(a[0], b[0]);
        QCOMPARE(a[1], b[1]);
    }

    void counterStep_data()
    {
        QTest::addColumn<uint32_t>("word1");
        QTest::addColumn<uint32_t>("next");
        QTest::newRow("reaches all ones without carry") << 0xFEFEFEFBu << 0xFFFFFFFFu;
        QTest::newRow("carry adds one") << 0xFFFFFFFFu << 0x01010104u;
        QTest::newRow("carry from just past the top") << 0xFEFEFEFCu << 0x00000001u;
        QTest::newRow("plain step") << 0u << 0x01010104u;
    }

    void counterStep()
    {
        QFETCH(uint32_t, word1);
        QFETCH(uint32_t, next);
        uint32_t synchro[2] = {0xFFFFFFFFu, word1};
        gost::stepCounter(synchro);
        QCOMPARE(synchro[0], 0x01010100u); // word 0 wraps modulo 2^32, no extra one
        QCOMPARE(synchro[1], next);
    }

    // Each gamma block is the encryption of the stepped counter, which starts
    // from the encrypted synchro; the synchro is left on the last counter.
    void gammaIsEncryptedCounter()
    {
        const uint32_t start[2] = {0x2a9f51c6, 0x4e07b3d8};
        uint32_t counter[2] = {start[0], start[1]};
        GostEncryptBlock(counter);
        uint32_t expected[6];
        for (int i = 0; i < 3; ++i) {
            gost::stepCounter(counter);
            uint32_t gamma[2] = {counter[0], counter[1]};
            GostEncryptBlock(gamma);
            expected[2 * i] = gamma[0];
            expected[2 * i + 1] = gamma[1];
        }
        uint32_t data[6] = {};
        uint32_t synchro[2] = {start[0], start[1]};
        GostGammaDecrypt(data, 3, synchro);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(data[i], expected[i]);
        QCOMPARE(synchro[0], counter[0]);
        QCOMPARE(synchro[1], counter[1]);
    }

    void gammaTwiceGivesBackTheData()
    {
        uint32_t data[8] = {1, 2, 3, 4, 5, 6, 7, 8};
        uint32_t s1[2] = {7, 9}, s2[2] = {7, 9};
        GostGammaDecrypt(data, 4, s1);
        QVERIFY(data[0] != 1 || data[1] != 2);
        GostGammaDecrypt(data, 4, s2);
        for (uint32_t i = 0; i < 8; ++i)
            QCOMPARE(data[i], i + 1);
    }

    // Two calls over two halves differ from one call over the whole buffer,
    // because every call encrypts the synchro again.
    void gammaMustRunInOneCall()
    {
        uint32_t whole[4] = {}, halves[4] = {};
        uint32_t s1[2] = {7, 9}, s2[2] = {7, 9};
        GostGammaDecrypt(whole, 2, s1);
        GostGammaDecrypt(halves, 1, s2);
        GostGammaDecrypt(halves + 2, 1, s2);
        QCOMPARE(whole[0], halves[0]);
        QVERIFY(whole[2] != halves[2] || whole[3] != halves[3]);
    }

    void emptyCounts_data()
    {
        QTest::addColumn<int>("n");
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -3;
    }

    void emptyCounts()
    {
        QFETCH(int, n);
        uint32_t data[2] = {5, 6};
        uint32_t synchro[2] = {7, 9};
        uint32_t encrypted[2] = {7, 9};
        GostEncryptBlock(encrypted);
        GostGammaDecrypt(data, n, synchro);
        QCOMPARE(data[0], 5u);
        QCOMPARE(data[1], 6u);
        QCOMPARE(synchro[0], encrypted[0]);
        QCOMPARE(synchro[1], encrypted[1]);
        uint32_t mac[2] = {1, 1};
        GostMac(data, n, mac);
        QCOMPARE(mac[0], 0u);
        QCOMPARE(mac[1], 0u);
    }

    void macSeesEveryWord()
    {
        const uint32_t a[4] = {1, 2, 3, 4};
        const uint32_t b[4] = {1, 2, 3, 5};
        const uint32_t c[4] = {1, 3, 3, 4};
        uint32_t ma[2], mb[2], mc[2];
        GostMac(a, 2, ma);
        GostMac(b, 2, mb);
        GostMac(c, 2, mc);
        QVERIFY(ma[0] != mb[0] || ma[1] != mb[1]);
        QVERIFY(ma[0] != mc[0] || ma[1] != mc[1]);
        // One block: the MAC is the 16-round transform of the block itself.
        uint32_t one[2] = {1, 2}, m1[2];
        GostMac(one, 1, m1);
        GostMacRounds(one);
        QCOMPARE(m1[0], one[0]);
        QCOMPARE(m1[1], one[1]);
    }
};

QTEST_APPLESS_MAIN(TestGost)
#include "tst_gost.moc"
