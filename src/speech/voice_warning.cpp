#include "speech/voice_warning.h"

#include <fstream>
#include <system_error>

namespace speech {

namespace fs = std::filesystem;

CAvert2::CAvert2(fs::path programFolder, fs::path dataFolder)
    : programFolder_(std::move(programFolder)), marker_(std::move(dataFolder) / "noavertv") {}

void CAvert2::UseInstaller(std::string fileName, std::string message) {
  installer_ = std::move(fileName);
  message_ = message.empty() ? std::string(kMessage) : std::move(message);
}

bool CAvert2::ShouldOffer(int frenchVoicesFound) const {
  if (frenchVoicesFound > 0) return false;
  std::error_code ec;
  return !fs::exists(marker_, ec) && !fs::exists(programFolder_ / "noavertv", ec);
}

void CAvert2::OnDontShowAgainClicked() {
  dontShowAgain = !dontShowAgain;
  // A folder that cannot be written to shows the warning again next time; nothing to report.
  std::ofstream marker(marker_, std::ios::binary | std::ios::app);
}

void CAvert2::OnInstallClicked(ports::Desktop& desktop, ports::Clock& clock,
                               ports::Window& window) const {
  desktop.Open(programFolder_ / installer_);
  clock.Sleep(500);
  window.EndProgram();
}

}  // namespace speech
