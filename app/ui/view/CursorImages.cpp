// Morvane main window, view and interaction.
// The cursors of the cursor scheme, by cursor id, from the language library's images.
#include "app/ui/view/CursorImages.h"

#include "lang/LanguageLibrary.h"

#include <QPixmap>

#include <iterator>

namespace morvane {

QCursor CursorFromId(int32_t cursorId)
{
    const QCursor arrow(Qt::ArrowCursor);
    if (cursorId < 1 || cursorId > static_cast<int32_t>(std::size(kCursorImageIds)))
        return arrow;
    const CLanguageLibrary *library = CLanguageLibrary::GetCurrent();
    const LanguageImageData *image =
        library != nullptr ? library->GetImage(kCursorImageIds[cursorId - 1]) : nullptr;
    if (image == nullptr)
        return arrow;
    QPixmap pixmap;
    if (!pixmap.loadFromData(reinterpret_cast<const uchar *>(image->m_sData.data()),
                             static_cast<uint>(image->m_sData.size())))
        return arrow;
    return QCursor(pixmap, image->m_nHotX, image->m_nHotY);
}

} // namespace morvane
