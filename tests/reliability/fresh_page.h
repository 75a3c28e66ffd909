// SPDX-License-Identifier: MIT
// The promise that results follow their inputs, checked from outside: every
// result a page shows, unless it is marked out of date, is what a new page
// shows after the same values are put on it and the result's own event is
// run once.
#pragma once

#include "shell/window_registry.h"

#include <string>

class QMainWindow;

namespace vora::testing {

// An empty text when every current result of `page` (a calculation page of
// kind `id`) agrees with a fresh computation; else the first that does not.
std::string ResultsAgreeWithAFreshPage(QMainWindow& page, shell::WindowId id);

} // namespace vora::testing
