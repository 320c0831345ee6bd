#pragma once

#include <QString>
#include <string>

// A file name (without suffix) for the spectrum called `spectrumName`: every
// character that a file name cannot hold on common systems (/ \ : * ? " < > |
// and control characters, a leading dot, trailing blanks and dots, device
// names such as CON) replaced by "_". "Save for Analysis..." proposes it and
// kspect --set writes it.
QString spectrumFileBase(const std::string& spectrumName);
