#include "controls/runtime/Clipboard.h"

#include "controls/runtime/TextBuffer.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cstring>

namespace qvrun {

void copySelection(const char* text, int caret, int selectionLength)
{
    if (!text || selectionLength == 0)
        return;
    if (selectionLength < 0) {
        caret += selectionLength;
        selectionLength = -selectionLength;
    }
    const int size = int(strnlen(text, kBufferChars));
    caret = std::clamp(caret, 0, size);
    selectionLength = std::min(selectionLength, size - caret);
    if (selectionLength <= 0)
        return;
    QStringDecoder fromSingleByte("Windows-1252");
    QGuiApplication::clipboard()->setText(fromSingleByte(QByteArrayView(text + caret, selectionLength)));
}

int pasteIntoBuffer(char* buffer, int caret, int selectionLength, int maximum)
{
    if (!buffer)
        return 0;
    QString pasted = QGuiApplication::clipboard()->text();
    if (const qsizetype lineEnd = pasted.indexOf(QRegularExpression(QStringLiteral("[\r\n]"))); lineEnd >= 0)
        pasted.truncate(lineEnd);
    QStringEncoder toSingleByte("Windows-1252", QStringEncoder::Flag::Default);
    QByteArray bytes = toSingleByte(pasted);
    bytes.replace('\0', '?');
    // The selection goes; the room left is what the maximum allows.
    deleteSelection(buffer, caret, selectionLength);
    const int size = int(strnlen(buffer, kBufferChars));
    const int room = std::max(0, std::min(maximum, kBufferChars) - size);
    bytes.truncate(room);
    if (selectionLength < 0)
        caret += selectionLength;
    return insertText(buffer, std::clamp(caret, 0, size), 0, bytes.constData());
}

} // namespace qvrun
