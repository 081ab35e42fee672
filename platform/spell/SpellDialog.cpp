#include "platform/spell/SpellDialog.h"

#include "platform/spell/SpellChecker.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace spell {

SpellDialog::SpellDialog(const QString& word, const QStringList& suggestions, QWidget* parent)
    : QDialog(parent), word_(word), pressed_(SpellChecker::Cancel)
{
    setWindowTitle(QStringLiteral("Spelling"));
    setModal(true);

    auto* notFound = new QLineEdit(word, this);
    notFound->setReadOnly(true);
    notFound->setObjectName(QStringLiteral("notInDictionary"));
    changeTo_ = new QLineEdit(suggestions.value(0, word), this);
    changeTo_->setObjectName(QStringLiteral("changeTo"));
    offered_ = new QListWidget(this);
    offered_->setObjectName(QStringLiteral("suggestions"));
    offered_->addItems(suggestions);
    if (!suggestions.isEmpty())
        offered_->setCurrentRow(0);
    connect(offered_, &QListWidget::currentTextChanged, changeTo_, &QLineEdit::setText);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Not in dictionary:"), this), 0, 0);
    fields->addWidget(notFound, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Change to:"), this), 1, 0);
    fields->addWidget(changeTo_, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Suggestions:"), this), 2, 0, Qt::AlignTop);
    fields->addWidget(offered_, 2, 1);

    struct ButtonRow {
        const char* caption;
        int code;
    };
    static const ButtonRow buttons[] = {
        {"Ignore", SpellChecker::Ignore}, {"Ignore All", SpellChecker::IgnoreAll}, {"Add", SpellChecker::Add},
        {"Change", SpellChecker::Change}, {"Change All", SpellChecker::ChangeAll}, {"Cancel", SpellChecker::Cancel},
    };
    auto* column = new QVBoxLayout;
    for (const ButtonRow& row : buttons) {
        auto* button = new QPushButton(QString::fromLatin1(row.caption), this);
        button->setAutoDefault(false);
        if (row.code == SpellChecker::Change)
            button->setDefault(true);
        connect(button, &QPushButton::clicked, this, [this, code = row.code] { press(code); });
        column->addWidget(button);
    }
    column->addStretch();

    auto* layout = new QGridLayout(this);
    layout->addLayout(fields, 0, 0);
    layout->addLayout(column, 0, 1);
}

QString SpellDialog::replacement() const
{
    return changeTo_->text();
}

QStringList SpellDialog::suggestions() const
{
    QStringList items;
    for (int row = 0; row < offered_->count(); ++row)
        items.append(offered_->item(row)->text());
    return items;
}

void SpellDialog::press(int code)
{
    pressed_ = code;
    if (code == SpellChecker::Cancel)
        reject();
    else
        accept();
}

void SpellDialog::setReplacement(const QString& spelling)
{
    changeTo_->setText(spelling);
}

int SpellDialog::ask(const QString& word, const QStringList& suggestions, QString& replacement)
{
    SpellDialog dialog(word, suggestions, QApplication::activeWindow());
    // A caller busy under the hourglass still gets a pointer to answer with.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    dialog.exec();
    QApplication::restoreOverrideCursor();
    replacement = dialog.replacement();
    return dialog.pressed();
}

} // namespace spell
