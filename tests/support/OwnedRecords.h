// Two record lists that free what they hold, as the host's lists do at every reload, with
// the records as vectors for table-style checks.
#pragma once

#include <vector>

#include "weavekit/Records.h"

namespace testsupport
{

struct OwnedRecords
{
    PointList points;
    LineList lines;

    OwnedRecords() = default;
    OwnedRecords(const OwnedRecords&) = delete;
    OwnedRecords& operator=(const OwnedRecords&) = delete;
    ~OwnedRecords()
    {
        ClearOwned(points);
        ClearOwned(lines);
    }

    std::vector<Point*> Nodes() const
    {
        std::vector<Point*> all;
        for (auto it = points.GetFirst(); it; it = it->GetNext())
            all.push_back(it->GetData());
        return all;
    }

    std::vector<Line*> Lines() const
    {
        std::vector<Line*> all;
        for (auto it = lines.GetFirst(); it; it = it->GetNext())
            all.push_back(it->GetData());
        return all;
    }
};

} // namespace testsupport
