// Morvane model library tests.
// Small mask patterns and an event log that tells the senders apart, for the grade-mask tests.
#pragma once

#include "foundation/EventSink.h"
#include "model/GradeMask.h"
#include "model/MaskContour.h"
#include "model/MaskNotch.h"
#include "model/MaskPattern.h"
#include "model/MaskPoint.h"
#include "model/MaskPolyline.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace testmodel {

/// The point of a mask pattern at index i.
CMaskPoint *maskPointAt(const CPattern &pattern, int i);

/// A new polyline through the pattern's points of those indexes, appended.
CMaskPolyline *addLine(CMaskPattern &pattern, std::initializer_list<int> points);

/// A square piece of side 40 made off the mask: grade points a (0, 0), b (40, 0), c (40, 40)
/// and d (0, 40), points 0 to 3, an ordinary point m (20, -1), point 4, and two lines, a-m-b
/// and b-c-d-a, which form one closed contour; a notch on the first line.
std::unique_ptr<CMaskPattern> makeSquare(CGradeMask &mask, const std::string &name);

/// The labels of each line's points, as "P1 I1 P2".
std::vector<std::string> describeLines(const CPattern &pattern);

/// makeSquare, inserted at the end of the mask; returns it.
CMaskPattern *placeSquare(CGradeMask &mask, const std::string &name);

/// An object of class T that tells when it is deleted.
template <class T> class Watched : public T
{
public:
    explicit Watched(bool &deleted)
        : m_deleted(deleted)
    {
    }
    ~Watched() override { m_deleted = true; }

private:
    bool &m_deleted;
};

/// Records each event that passes a handler as "<kind>:<source kind>:<first argument>", the
/// source kind being that of the handler the event started from.
class SourceLog : public CEventSink
{
public:
    void OnEvent(CEventHandler *sender, EventRecord *record) override;

    std::vector<std::string> events;
};

} // namespace testmodel
