#include "opening.h"

#include <algorithm>
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

// Appends text to a path buffer. The questions refuse any answer that would not fit, so this
// never cuts; the bound only makes sure nothing is ever written past the buffer.
void append(char (&path)[kPathSize], const char* text) {
  const std::size_t used = std::strlen(path);
  const std::size_t added = std::min(std::strlen(text), kPathSize - 1 - used);
  std::memcpy(path + used, text, added);
  path[used + added] = '\0';
}

void copy(char (&path)[kPathSize], const char* text) {
  path[0] = '\0';
  append(path, text);
}

// The three questions that name the files; they compose nomim1 and nomim2.
void ask_paths() {
  using polydump::ask_word;
  char nomdir[kPathSize];
  char nomgen[kPathSize];
  char nomfic[kPathSize];
  char nomfic1[kPathSize];
  char prompt[2 * kPathSize];

  copy(nomim1, kBaseDirectory);
  std::snprintf(prompt, sizeof prompt, "\n\n\tName of the File Folder located in the Directory %s : ", nomim1);
  ask_word(prompt, nomdir, room_after(nomim1, kSeparator) - kShortestNameAndExtension);
  append(nomim1, nomdir);
  copy(nomgen, nomim1);
  append(nomim1, kSeparator);
  copy(nomim2, nomim1);

  ask_word("\n\n\tName of the input .dxf File to be transformed (without extension .dxf) ? ", nomfic,
           room_after(nomim1, kInputExtension));
  append(nomim1, nomfic);
  append(nomim1, kInputExtension);

  std::snprintf(prompt, sizeof prompt,
                "\n\n\tName of the output .rak File to be created (without extension .rak)"
                "\n\t\treported in the File Folder %s ?  ",
                nomgen);
  ask_word(prompt, nomfic1, room_after(nomim2, kOutputExtension));
  append(nomim2, nomfic1);
  append(nomim2, kOutputExtension);
}

}  // namespace

void opening() {
  for (const char* line : kBanner) polydump::console_write(line);
  ask_paths();
  if (!f1.open(polydump::native_path(nomim1).c_str())) {
    polydump::console_write("\n\tFile %s unknown\n", nomim1);
    polydump::wait_for_key();
    end_failed_run();
  }
  if (!f2.create(polydump::native_path(nomim2).c_str())) fail("\n\tCannot create the file %s\n", nomim2);
}
