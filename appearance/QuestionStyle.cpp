#include "appearance/QuestionStyle.h"

#include "platform/forms/Label.h"
#include "platform/forms/OptionButton.h"
#include "platform/forms/TextBox.h"
#include "questionwindow/frmMain.h"
#include "settings/Settings.h"

#include <array>

namespace appearance {

namespace {

std::array<forms::TextBox*, 6> textBoxes(questionwindow::frmMain& w)
{
    return {w.txtQuestion, w.txtA, w.txtB, w.txtC, w.txtD, w.txtNotes};
}

std::array<forms::OptionButton*, 4> options(questionwindow::frmMain& w)
{
    return {w.optA, w.optB, w.optC, w.optD};
}

} // namespace

void showScreenFont(questionwindow::frmMain& window, const settings::ScreenFont& font)
{
    for (forms::TextBox* box : textBoxes(window)) {
        box->setFontName(font.name);
        box->setFontBold(font.bold);
        box->setFontItalic(font.italic);
        box->setFontSize(font.size);
    }
}

void showFontColor(questionwindow::frmMain& window, int rgb)
{
    for (forms::TextBox* box : textBoxes(window))
        box->setForeColor(rgb);
    window.back->setForeColor(rgb);
    for (forms::OptionButton* option : options(window))
        option->setForeColor(rgb);
    for (int index = 0; index < 4; ++index)
        window.lblA[index]->setForeColor(rgb);
}

void showCanvasColor(questionwindow::frmMain& window, int rgb)
{
    for (forms::TextBox* box : textBoxes(window))
        box->setBackColor(rgb);
    window.back->setBackColor(rgb);
    for (forms::OptionButton* option : options(window))
        option->setBackColor(rgb);
}

settings::ScreenFont storedScreenFont(const QStringList& fields)
{
    settings::ScreenFont font = settings::defaultScreenFont();
    const QString name = fields.value(0).trimmed();
    if (!name.isEmpty())
        font.name = name;
    auto readBoolean = [&](int index, bool& value) {
        const QString text = fields.value(index).trimmed();
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            value = true;
        else if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            value = false;
    };
    readBoolean(1, font.bold);
    readBoolean(2, font.italic);
    bool ok = false;
    const double size = fields.value(3).trimmed().toDouble(&ok);
    if (ok && size > 0)
        font.size = size;
    return font;
}

int storedColor(const QString& field)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    return ok && value >= 0 && value <= 0xFFFFFF ? value : 0;
}

} // namespace appearance
