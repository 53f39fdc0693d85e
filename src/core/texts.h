// The program's own texts, English beside Spanish. Every window shows the English text exactly
// when the language name is "ENGLISH".
#pragma once

#include <string>

#include "core/settings.h"

namespace core {

struct Text {
  const char* english;
  const char* spanish;
  [[nodiscard]] std::string in(const GlobalState& state) const {
    return state.english() ? english : spanish;
  }
};

inline constexpr char kProgramTitle[] = "Tervalo";

namespace texts {
// Why a save failed: each names the settings file ("%1") and, where it can, the cause the
// system gave or the characters ("%2") the file's code page cannot hold.
inline constexpr Text kSaveFailed{
    "Unable to save configuration, make sure '%1' is not write-protected.",
    "No se puede guardar la configuraci\xC3\xB3n, revise que '%1' no est\xC3\xA9 protegido contra "
    "escritura."};
inline constexpr Text kSaveFailedInUse{
    "Unable to save configuration, '%1' is open in another program: close it and try again.",
    "No se puede guardar la configuraci\xC3\xB3n, '%1' est\xC3\xA1 abierto en otro programa: "
    "ci\xC3\xA9rrelo e intente de nuevo."};
inline constexpr Text kSaveFailedDiskFull{
    "Unable to save configuration, the disk that holds '%1' is full.",
    "No se puede guardar la configuraci\xC3\xB3n, el disco que contiene '%1' est\xC3\xA1 lleno."};
inline constexpr Text kSaveFailedCharacters{
    "Unable to save configuration, '%1' cannot hold these characters: %2",
    "No se puede guardar la configuraci\xC3\xB3n, '%1' no puede guardar estos caracteres: %2"};
inline constexpr Text kExportFailed{"It can't be created here, try somewhere else.",
                                    "No se puede crear aqu\xC3\xAD, intente en otra parte."};
}  // namespace texts

}  // namespace core
