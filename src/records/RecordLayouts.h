#pragma once

#include "records/RecordText.h"

#include <string_view>
#include <vector>

// The layouts a record file may be in, one reader each (PeerLayout.cpp,
// CsmncLayout.cpp, KnetLayout.cpp, ColumnsLayout.cpp). Only RecordReader
// includes this.

namespace record_text {

struct LayoutReader {
    RecordLayout layout;
    // Whether the text is in this layout. Plain columns take whatever no other
    // layout recognises.
    bool (*recognises)(std::string_view text);
    // The values and step; `detected` tells that the layout was not named.
    Values (*read)(std::string_view text, const RecordReadOptions& options, bool detected, const Refusal& refuse);
};

// Every layout, in the order of detection: plain columns last.
const std::vector<LayoutReader>& layoutReaders();

bool looksLikePeer(std::string_view text);
Values readPeer(std::string_view text, const RecordReadOptions& options, bool detected, const Refusal& refuse);

bool looksLikeCsmnc(std::string_view text);
Values readCsmnc(std::string_view text, const RecordReadOptions& options, bool detected, const Refusal& refuse);

bool looksLikeKnet(std::string_view text);
Values readKnet(std::string_view text, const RecordReadOptions& options, bool detected, const Refusal& refuse);

bool looksLikeColumns(std::string_view text);
Values readColumns(std::string_view text, const RecordReadOptions& options, bool detected, const Refusal& refuse);

} // namespace record_text
