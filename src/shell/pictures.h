// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace vora::shell {

// An embedded SVG picture at a fixed size, named `name`.
QWidget* Picture(const QString& name, const QString& resource, int width, int height,
                 const QString& description, QWidget* parent);

// A long fixed text from the resources.
QString FixedText(const QString& resource);

} // namespace vora::shell
