// Morvane second DXF reader.
// The comment (group 999) that the graded R12 layout gives every polyline, vertex, line and point.
#include "platform/fallowby/JwcaComment.h"

#include "foundation/NumberText.h"
#include "foundation/TextFormat.h"

namespace morvane {

std::string formatJwcaComment(const JwcaComment &comment)
{
    const int32_t values[] = {comment.pointClass, comment.notch, comment.ruleNumber};
    std::string text = formatInteger(comment.lineKind);
    // Commas wait until a later value is written, so trailing empty fields are left out.
    std::string pendingCommas;
    for (const int32_t value : values) {
        pendingCommas += ',';
        if (value <= 0)
            continue;
        text += pendingCommas;
        text += formatInteger(value);
        pendingCommas.clear();
    }
    return text;
}

JwcaComment parseJwcaComment(std::string_view text)
{
    JwcaComment comment;
    int32_t *const targets[] = {&comment.lineKind, &comment.pointClass, &comment.notch,
                                &comment.ruleNumber};
    for (int32_t *target : targets) {
        const std::size_t comma = text.find(',');
        *target = parseInt(text.substr(0, comma));
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    return comment;
}

} // namespace morvane
