#pragma once

#include "common/KavrelError.h"

// A refusal of the record library: a source that cannot be read, an index
// that is not ours or cannot be written. The message names the file first.
class LibraryError : public KavrelError {
public:
    using KavrelError::KavrelError;
};
