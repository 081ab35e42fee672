#pragma once

#include <QObject>
#include <QString>

#include <vector>

namespace data {
class DataControl;
}
namespace forms {
class Qv3dLabel;
class TextBox;
} // namespace forms

namespace contents {

// The field of the titles row that chapter button `number` of a bank shows:
// "title5" in bank 1, "titlea5" in bank II, "tb35" in bank III.
QString titleField(int bank, int number);

// The chapter buttons of one table of contents (cmd1 ...) and the steps they
// share in all three windows: the pressed look, which records the pressed
// title in the window's txtK; the click, which hands the chapter to the
// question window; and taking a dropped title.
class ChapterButtons : public QObject {
    Q_OBJECT
public:
    // The buttons are made on `canvas`, bound to this bank's fields of the
    // titles row that `titles` opens; `txtK` is the window's pressed-caption box.
    ChapterButtons(QWidget* canvas, int bank, int count, data::DataControl& titles, forms::TextBox& txtK);

    int bank() const { return bank_; }
    int count() const { return int(buttons_.size()); }
    // 1-based, as the buttons are named.
    forms::Qv3dLabel* button(int number) const;
    const std::vector<forms::Qv3dLabel*>& all() const { return buttons_; }

    // The steps of button `number`, as its events run them.
    void cmd_MouseDown(int number);
    void cmd_MouseUp(int number);
    void cmd_Click(int number);
    void cmd_DragDrop(int number, const QString& title);

    // Chapter removal
    // Clears, in the titles row, every button of this bank whose stored
    // title is `title` exactly (letter case and blanks count), in one store
    // that joins a transaction the caller holds; returns how many. The
    // captions show it when the window reads its titles again.
    int clearStoredTitle(const QString& title);

private:
    // Stores `title` into the titles row behind these buttons, in one store.
    void storeTitle(const std::vector<int>& numbers, const QString& title);

    int bank_;
    data::DataControl& titles_;
    forms::TextBox& txtK_;
    std::vector<forms::Qv3dLabel*> buttons_;
    bool pressedWasChanged_ = false; // the pressed button's title was edited before the press
};

} // namespace contents
