// SPDX-License-Identifier: MIT
#include "pictures.h"

#include "widgets/form_controls.h"

#include <QSvgWidget>

namespace vora::shell {

QWidget* Picture(const QString& name, const QString& resource, int width, int height,
                 const QString& description, QWidget* parent) {
    auto* picture = new QSvgWidget(resource, parent);
    picture->setObjectName(name);
    picture->setFixedSize(width, height);
    picture->setAccessibleName(description);
    picture->setToolTip(description);
    return picture;
}

QString FixedText(const QString& resource) {
    return widgets::ResourceText(resource);
}

} // namespace vora::shell
