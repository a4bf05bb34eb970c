#pragma once

#include <QByteArray>
#include <QLabel>

class QBuffer;
class QMovie;

// A clickable animated GIF: plays its own copy of the GIF bytes, keeps its
// size whatever the picture's, and reports clicks.
class GifAnimator : public QLabel
{
    Q_OBJECT

public:
    explicit GifAnimator(QWidget *parent = nullptr);
    ~GifAnimator() override;

    // Plays a copy of these GIF bytes from the first frame.
    void setGif(const QByteArray &gif);
    // Plays a GIF of the program's resources.
    void setGifFile(const QString &path);
    // Shows nothing.
    void clearGif();

    const QByteArray &gif() const { return m_bytes; }
    QMovie *movie() const { return m_movie; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QByteArray m_bytes;
    QBuffer *m_buffer = nullptr;
    QMovie *m_movie = nullptr;
    bool m_pressed = false;
};
