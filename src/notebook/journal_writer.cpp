#include "notebook/journal_writer.h"

#include <fstream>
#include <system_error>

#include "base/file_sync.h"
#include "base/files.h"
#include "notebook/journal_format.h"

namespace notebook {

namespace fs = std::filesystem;

const char* const kJournalReadme =
    "Journal de Scribix\n"
    "==================\n"
    "\n"
    "Le fichier journal.txt garde le travail de l'enfant : une ligne par \xC3\xA9v\xC3\xA9nement,\n"
    "ajout\xC3\xA9"
    "e au moment o\xC3\xB9 il arrive. Il est en UTF-8. Les champs sont s\xC3\xA9par\xC3\xA9s\n"
    "par une tabulation, dans cet ordre :\n"
    "\n"
    "  1. date et heure (2026-12-09 14:05:31, heure locale)\n"
    "  2. \xC3\xA9v\xC3\xA9nement :\n"
    "       seance   d\xC3\xA9"
    "but d'un travail (module pris, nouvelle liste ou nouvel exercice)\n"
    "       mot      un mot ou une phrase de la liste est dict\xC3\xA9\n"
    "       essai    toutes les cases sont remplies et la r\xC3\xA9ponse est fausse\n"
    "       aide     bouton Aide\n"
    "       solution bouton Solution\n"
    "       passe    bouton Mot suivant avant la bonne r\xC3\xA9ponse\n"
    "       juste    la r\xC3\xA9ponse est juste\n"
    "       trouve   un mot cach\xC3\xA9 d'un texte est trouv\xC3\xA9\n"
    "       texte    tous les mots cach\xC3\xA9s du texte sont trouv\xC3\xA9s\n"
    "       puzzle   le puzzle est termin\xC3\xA9\n"
    "  3. module : Francais, Liste, Mathematique ou Puzzle\n"
    "  4. fichier : la liste, l'exercice ou l'image\n"
    "  5. mot ou phrase demand\xC3\xA9 (ou mot cach\xC3\xA9 trouv\xC3\xA9)\n"
    "  6. r\xC3\xA9ponse telle que les lettres \xC3\xA9taient pos\xC3\xA9"
    "es (essai, aide, solution, passe)\n"
    "  7. secondes depuis la consigne (mots), depuis le d\xC3\xA9"
    "but (texte, puzzle)\n"
    "  8. nombre : mots cach\xC3\xA9s trouv\xC3\xA9s (texte), pi\xC3\xA8"
    "ces (puzzle)\n"
    "  9. pi\xC3\xA8"
    "ces plac\xC3\xA9"
    "es par l'aide (puzzle)\n"
    " 10. genre de l'erreur (essai)\n"
    "\n"
    "Un champ vide s'\xC3\xA9"
    "crit -. Dans un texte, une tabulation s'\xC3\xA9"
    "crit \\t, un retour \xC3\xA0 la\n"
    "ligne \\n, une barre oblique inverse \\\\ et un texte qui vaut - s'\xC3\xA9"
    "crit \\-.\n"
    "Une ligne incompl\xC3\xA8te (programme arr\xC3\xAAt\xC3\xA9 pendant l'\xC3\xA9"
    "criture) est ignor\xC3\xA9"
    "e.\n";

void JournalWriter::Open() {
  opened_ = true;
  const fs::path readme = folder_ / kJournalReadmeName;
  std::error_code ec;
  if (!fs::exists(readme, ec)) base::WriteFileAtomically(readme, kJournalReadme);
  std::ifstream in(Path(), std::ios::binary);
  char last = '\n';
  if (in && in.seekg(-1, std::ios::end) && in.get(last) && last != '\n') {
    in.close();
    base::AppendAndSync(Path(), "\n");
  }
}

void JournalWriter::Record(const base::WorkEvent& event) {
  if (!opened_) Open();
  const std::string line = FormatJournalLine(LineOf(event, clock_.CalendarSeconds()));
  if (!base::AppendAndSync(Path(), line)) ++failures_;
}

}  // namespace notebook
