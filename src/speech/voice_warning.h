#pragma once

#include <filesystem>
#include <string>

#include "ports/clock.h"
#include "ports/desktop.h"
#include "ports/window.h"

namespace speech {

// "Installation des voix de synthèse vocale": the warning shown at start-up when no French voice
// can be found, until the user asks never to see it again (the marker file "noavertv").
class CAvert2 {
 public:
  static constexpr const char* kCaption = "Installation des voix de synth\xE8se vocale";
  static constexpr const char* kMessage =
      "Aucune voix de synth\xE8se vocale fran\xE7"
      "aise ne semble install\xE9"
      "e sur cet ordinateur : Scribix ne peut pas lire les textes \xE0 voix haute.\n\n"
      "Pour l'installer, demandez \xE0 la personne qui s'occupe de l'ordinateur d'installer le "
      "paquet espeak-ng-data (commande : sudo apt install espeak-ng-data).";
  static constexpr const char* kInstallButton = "Installer la voix";
  static constexpr const char* kRestartLabel = "( red\xE9marrez ensuite l'application )";
  static constexpr const char* kDontShowAgain = "Ne plus voir ce message";
  static constexpr const char* kClose = "Fermer";

  // The marker is written into the data folder; one in the program folder counts as well.
  CAvert2(std::filesystem::path programFolder, std::filesystem::path dataFolder);

  // The system's own installer, in the program folder, and what the warning says about it; an
  // empty message keeps kMessage.
  void UseInstaller(std::string fileName, std::string message);
  const std::string& Message() const { return message_; }

  // Whether the warning is offered: no French voice was found and nobody asked not to see it.
  bool ShouldOffer(int frenchVoicesFound) const;
  // "Ne plus voir ce message": every click, ticked or not, leaves the marker behind.
  void OnDontShowAgainClicked();
  // "Installer la voix": opens the installer (by default the page that says how to install the
  // voices), then the program ends, as the label asks for a restart.
  void OnInstallClicked(ports::Desktop& desktop, ports::Clock& clock, ports::Window& window) const;

  bool dontShowAgain = false;

  const std::filesystem::path& MarkerPath() const { return marker_; }

 private:
  std::filesystem::path programFolder_;
  std::filesystem::path marker_;
  std::string installer_ = "installer-voix.html";
  std::string message_ = kMessage;
};

}  // namespace speech
