#pragma once

#include <QDialog>

#include "ports/clock.h"
#include "ports/desktop.h"
#include "ports/window.h"
#include "speech/voice_warning.h"

namespace shell {

// The voice warning of the start-up, shown modally over the main window.
class CAvert2Window : public QDialog {
  Q_OBJECT

 public:
  CAvert2Window(speech::CAvert2& model, ports::Desktop& desktop, ports::Clock& clock,
                ports::Window& mainWindow, QWidget* parent);

 private:
  speech::CAvert2& model_;
};

}  // namespace shell
