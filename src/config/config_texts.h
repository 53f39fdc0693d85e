// The configuration window's texts, English beside Spanish. The layout carries the Spanish ones;
// the English ones are put in place at load when the language is English.
#pragma once

#include <array>

#include "core/texts.h"

namespace config_texts {

using core::Text;

inline constexpr Text kTitle{"Configuration", "Configuraci\xC3\xB3n"};
inline constexpr Text kMenuColour{"Bar with color", "Barra con color"};
inline constexpr Text kMenuNoColour{"Bar without color", "Barra sin color"};
inline constexpr Text kClose{"Close", "Cerrar"};
inline constexpr std::array<Text, 3> kColourButtons{
    {{"All", "Todos"}, {"Only this", "S\xC3\xB3lo este"}, {"Fond", "Tema"}}};
inline constexpr std::array<Text, 9> kCommands{{
    {"Icons", "Iconos"},
    {"Font", "Fuente"},
    {"Glass", "Transparencia"},
    {"Clock 12/24", "Reloj 12/24"},
    {"Size", "Tama\xC3\xB1o"},
    {"Side", "Posici\xC3\xB3n"},
    {"About", "Acerca"},
    {"Save", "Guardar"},
    {"Save and close", "Guardar y cerrar"},
}};
inline constexpr std::array<Text, 5> kFontEntries{{
    {"Webdings", "Webdings"},
    {"Wingdings", "Wingdings"},
    {"Wingdings 2", "Wingdings 2"},
    {"Wingdings 3", "Wingdings 3"},
    {"Other...", "Otro..."},
}};
inline constexpr Text kFontMissing{
    "This font is not available on your computer, try another.",
    "Esta fuente no est\xC3\xA1 disponible en su equipo, intente otra."};
// A character the settings file's code page has no byte for, typed or pasted into a name,
// folder or glyph box. The characters left out follow the text.
inline constexpr Text kRefusedTitle{"Unacceptable character",
                                    "Car\xC3\xA1"
                                    "cter no aceptable"};
inline constexpr Text kRefusedText{
    "The settings file can't hold these characters, so the box left them out: ",
    "El archivo de configuraci\xC3\xB3n no puede guardar estos caracteres, as\xC3\xAD que el "
    "cuadro los dej\xC3\xB3 fuera: "};
inline constexpr Text kAboutVersion{"Tervalon: Version ", "Tervalon: Versi\xC3\xB3n "};
inline constexpr char kAboutMaker[] = "Velmora";

// The same in both languages.
inline constexpr char kIconsTip[] = " Abrir iconos para seleccionar. ";
inline constexpr char kExportTip[] = " Crear un respaldo aqu\xC3\xAD. ";
inline constexpr char kGlyphTipStart[] = " Figura ";

}  // namespace config_texts
