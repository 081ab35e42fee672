#include "platform/forms/TabControl.h"

#include "platform/core/Errors.h"

namespace forms {

TabControl::TabControl(QWidget* parent) : QTabWidget(parent) {}

QWidget* TabControl::addPage(const QString& caption)
{
    auto* page = new QWidget(this);
    addTab(page, caption);
    return page;
}

void TabControl::setTab(int index)
{
    if (index < 0 || index >= count())
        throw platform::errors::invalidPropertyValue();
    setCurrentIndex(index);
}

} // namespace forms
