#pragma once
#include <QString>

// The reason of a failed system call (an errno value) in the reader's
// language: the program's own texts for the faults a file operation meets,
// "Systemfehler N" for the rest. The C library's texts follow the locale's
// own language tables, which need not be the program's.
QString systemErrorText(int error);
