// SPDX-License-Identifier: MIT
#include "app/pages/widget_factory.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace ravello::app {

QLabel* makeImage(QWidget* parent, const char* objectName, QSize size)
{
    auto* image = makeWidget<QLabel>(parent, objectName);
    image->setMinimumSize(size);
    image->setAlignment(Qt::AlignCenter);
    return image;
}

QListWidget* makeList(QWidget* parent, const char* objectName)
{
    auto* list = makeWidget<QListWidget>(parent, objectName);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    return list;
}

QWidget* captioned(QWidget* parent, const char* labelName, QWidget* content, QLabel** caption)
{
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = makeWidget<QLabel>(box, labelName);
    label->setBuddy(content);
    layout->addWidget(label);
    layout->addWidget(content, 1);
    if (caption)
        *caption = label;
    return box;
}

QComboBox* makeCodeBox(QWidget* parent, const char* objectName, std::span<const char* const> codes,
                       const char* shownText)
{
    auto* box = makeWidget<QComboBox>(parent, objectName);
    box->setEditable(true);
    for (const char* code : codes)
        box->addItem(QLatin1String(code));
    box->setCurrentText(QLatin1String(shownText));
    return box;
}

} // namespace ravello::app
