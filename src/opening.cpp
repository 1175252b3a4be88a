#include "opening.h"

#include <cstdio>
#include <cstring>

#include "console.h"
#include "dialogue.h"
#include "failure.h"
#include "globals.h"
#include "key_wait.h"
#include "native_path.h"

namespace {

constexpr const char* kBanner[] = {
    "\n\t***********************************************************",
    "\n\t*                                                         *",
    "\n\t*                                                         *",
    "\n\t*                SEAWRACK_POLYDUMP                        *",
    "\n\t*                                                         *",
    "\n\t*                                                         *",
    "\n\t*                                                         *",
    "\n\t*                                                         *",
    "\n\t*                                                         *",
    "\n\t*                                         Seawrack dev    *",
    "\n\t*                                      (December, 2026)   *",
    "\n\t*                                                         *",
    "\n\t***********************************************************",
};

constexpr const char* kBaseDirectory = "C:\\images\\";
constexpr const char* kSeparator = "\\";
constexpr const char* kInputExtension = ".dxf";
constexpr const char* kOutputExtension = ".rak";
// A folder must leave room in both paths for a name of one character and its extension
// (".dxf" and ".rak" are both 4 characters); a longer folder would leave the name no room.
constexpr std::size_t kShortestNameAndExtension = 1 + 4;

// Room left in a path buffer for a name that is followed by suffix.
std::size_t room_after(const char* path, const char* suffix) {
  return kPathSize - 1 - std::strlen(path) - std::strlen(suffix);
}

}  // namespace

void opening() {
  using polydump::ask_word;
  using polydump::console_write;

  for (const char* line : kBanner) console_write(line);

  char nomdir[kPathSize];
  char nomgen[kPathSize];
  char nomfic[kPathSize];
  char nomfic1[kPathSize];

  std::strcpy(nomim1, kBaseDirectory);
  char prompt[2 * kPathSize];
  std::snprintf(prompt, sizeof prompt, "\n\n\tName of the File Folder located in the Directory %s : ", nomim1);
  ask_word(prompt, nomdir, room_after(nomim1, kSeparator) - kShortestNameAndExtension);
  std::strcat(nomim1, nomdir);
  std::strcpy(nomgen, nomim1);
  std::strcat(nomim1, kSeparator);
  std::strcpy(nomim2, nomim1);

  ask_word("\n\n\tName of the input .dxf File to be transformed (without extension .dxf) ? ", nomfic,
           room_after(nomim1, kInputExtension));
  std::strcat(nomim1, nomfic);
  std::strcat(nomim1, kInputExtension);

  std::snprintf(prompt, sizeof prompt,
                "\n\n\tName of the output .rak File to be created (without extension .rak)"
                "\n\t\treported in the File Folder %s ?  ",
                nomgen);
  ask_word(prompt, nomfic1, room_after(nomim2, kOutputExtension));
  std::strcat(nomim2, nomfic1);
  std::strcat(nomim2, kOutputExtension);

  if (!f1.open(polydump::native_path(nomim1).c_str())) {
    console_write("\n\tFile %s unknown\n", nomim1);
    polydump::wait_for_key();
    end_failed_run();
  }
  if (!f2.create(polydump::native_path(nomim2).c_str())) fail("\n\tCannot create the file %s\n", nomim2);
}
