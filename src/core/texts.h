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
inline constexpr Text kSaveFailed{
    "Unable to save configuration, make sure 'C:\\File Programs' is not write-protected.",
    "No se puede guardar la configuraci\xC3\xB3n, revise que 'C:\\File Programs' no est\xC3\xA9 "
    "protegido contra escritura."};
inline constexpr char kSaveFailedXpSpanish[] =
    "No se puede guardar la configuraci\xC3\xB3n, revise que 'C:\\Archivos de programa' no "
    "est\xC3\xA9 protegido contra escritura.";
inline constexpr Text kExportFailed{"It can't be created here, try somewhere else.",
                                    "No se puede crear aqu\xC3\xAD, intente en otra parte."};
}  // namespace texts

}  // namespace core
