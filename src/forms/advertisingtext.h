#pragma once

#include <QFont>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

class QPaintDevice;

// The offer to banner customers that the advertising window shows: 35 fixed
// lines, drawn one under the other, with three spans in bold.

// One piece of a line drawn in one style, its top-left corner on the canvas.
struct AdvertisingRun {
    int line;
    int start;
    QString text;
    bool bold;
    QPoint position;
};

QStringList advertisingLines();

// The height of one line: the height of the text "|" in the given font.
int advertisingLineHeight(const QFont &font, const QPaintDevice *device);

// Where each piece of text goes: lines one line height apart from y = 0, each
// bold span right after the normal text before it and the text after a span
// right after the span's own bold width. `font` is the normal font.
QList<AdvertisingRun> advertisingRuns(const QFont &font, const QPaintDevice *device);

// The widest line in the normal style.
int advertisingTextWidth(const QFont &font, const QPaintDevice *device);

// The lines as the clipboard gets them: each, empty ones too, ended by CR LF.
QString advertisingClipboardText();
