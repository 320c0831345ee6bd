#pragma once
#include <QString>

// The earthquake a recording belongs to, for the per-event limit: the
// metadata's event where known, else from a PEER name `RSN<n>_<EVENT>_...`
// the part between the first two underscores; empty when neither tells.
QString recordingEvent(const QString& metadataEvent, const QString& fileName);
