#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <cstdint>

// A model's values put into its window's controls without setting off the controls' handlers.
namespace shell {

inline void ShowSelection(QComboBox* box, std::int32_t item) {
  const QSignalBlocker quiet(box);
  box->setCurrentIndex(item >= 0 && item < box->count() ? item : -1);
}

inline void ShowTicked(QCheckBox* box, bool ticked) {
  const QSignalBlocker quiet(box);
  box->setChecked(ticked);
}

}  // namespace shell
