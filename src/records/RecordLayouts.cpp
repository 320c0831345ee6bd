#include "records/RecordLayouts.h"

namespace record_text {

const std::vector<LayoutReader>& layoutReaders()
{
    // K-NET first: its first line is unmistakable. A PEER count line is the
    // fourth line, a CSMNC one may come later.
    static const std::vector<LayoutReader> readers = {
        {RecordLayout::Knet, looksLikeKnet, readKnet},
        {RecordLayout::Peer, looksLikePeer, readPeer},
        {RecordLayout::Csmnc, looksLikeCsmnc, readCsmnc},
        {RecordLayout::Columns, looksLikeColumns, readColumns},
    };
    return readers;
}

} // namespace record_text
