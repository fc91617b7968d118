#include "base/icon_ids.h"

namespace base {
namespace icons {

const char* IconPictureFile(IconPicture picture) {
  static constexpr const char* kFiles[kIconPictureCount] = {"wizard.bmp",
                                                            "Solution.bmp",
                                                            "consigne36.bmp",
                                                            "clavieron36.bmp",
                                                            "clavieroff36.bmp",
                                                            "couleur36.bmp",
                                                            "icondedit36.bmp",
                                                            "iconquit36.bmp",
                                                            "help.bmp",
                                                            "Hpon36.bmp",
                                                            "Hpoff36.bmp",
                                                            "icondisperse36.bmp",
                                                            "iconraz36.bmp",
                                                            "configpuzzle.bmp",
                                                            "oeil36.bmp",
                                                            "openP2.bmp",
                                                            "saveP2.bmp",
                                                            "trash2.bmp",
                                                            "abc.bmp",
                                                            "123.bmp",
                                                            "List.bmp",
                                                            "Listconfig.bmp",
                                                            "motsuivant.bmp",
                                                            "consigne36.bmp",
                                                            "play.bmp",
                                                            "stop.bmp",
                                                            "solutionpuzzle.bmp",
                                                            "echo.bmp",
                                                            "reecoute.bmp",
                                                            "reecoutelent.bmp",
                                                            "reecoutelettres.bmp",
                                                            "eleves.bmp"};
  return kFiles[picture];
}

}  // namespace icons
}  // namespace base
