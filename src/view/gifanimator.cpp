#include "view/gifanimator.h"

#include <QBuffer>
#include <QFile>
#include <QMouseEvent>
#include <QMovie>

GifAnimator::GifAnimator(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setScaledContents(false);
}

GifAnimator::~GifAnimator() { clearGif(); }

void GifAnimator::setGif(const QByteArray &gif)
{
    clearGif();
    if (gif.isEmpty())
        return;
    m_bytes = gif;
    m_buffer = new QBuffer(&m_bytes, this);
    m_buffer->open(QIODevice::ReadOnly);
    m_movie = new QMovie(m_buffer, "gif", this);
    m_movie->setCacheMode(QMovie::CacheAll);
    setMovie(m_movie);
    m_movie->start();
}

void GifAnimator::setGifFile(const QString &path)
{
    QFile file(path);
    setGif(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
}

void GifAnimator::clearGif()
{
    if (m_movie) {
        m_movie->stop();
        setMovie(nullptr);
        delete m_movie;
        m_movie = nullptr;
    }
    delete m_buffer;
    m_buffer = nullptr;
    m_bytes.clear();
    clear();
}

void GifAnimator::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
    event->accept(); // the click is this widget's, not its parent's
}

void GifAnimator::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    event->accept();
    if (click)
        emit clicked();
}
