#pragma once

#include <QApplication>

namespace testing_support {

// The one application object of the shell tests, in French.
QApplication& ShellApplication();

}  // namespace testing_support
