#pragma once

#include <QString>
#include <QStringList>

// The names under which the files of one selection are shown: each file's
// own name, and where two files share it, as much of their folders as tells
// them apart ("d1/x.AT2" and "d2/x.AT2"): the fewest last parts of the full
// path that no other file of the selection ends with. Paths are taken as
// given, relative ones from the current folder.
QStringList distinguishingNames(const QStringList& paths);
