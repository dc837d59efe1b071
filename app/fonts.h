#pragma once

// Maps the faces the program asks for ("MS Sans Serif", "Arial Black",
// "Courier", ...) to the nearest installed ones. Call once before any window.
void installFontSubstitutes();
