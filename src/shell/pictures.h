// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace vora::shell {

// An embedded picture at a fixed size, named `name`: `resource` is the
// picture rendered from our SVG at build time (resources/CMakeLists.txt).
QWidget* Picture(const QString& name, const QString& resource, int width, int height,
                 const QString& description, QWidget* parent);

// A long fixed text from the resources.
QString FixedText(const QString& resource);

} // namespace vora::shell
