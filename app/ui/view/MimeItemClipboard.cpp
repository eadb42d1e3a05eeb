// Morvane program view.
// The item clipboard of the program: the system clipboard under the program's own MIME type.
#include "app/ui/view/MimeItemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

MimeItemClipboard::MimeItemClipboard(QClipboard *clipboard)
    : m_clipboard(clipboard != nullptr ? clipboard : QGuiApplication::clipboard())
{}

void MimeItemClipboard::SetItems(const std::string &payload)
{
    auto *data = new QMimeData;
    data->setData(kMimeType, QByteArray(payload.data(), static_cast<qsizetype>(payload.size())));
    m_clipboard->setMimeData(data);
}

bool MimeItemClipboard::HasItems() const
{
    const QMimeData *data = m_clipboard->mimeData();
    return data != nullptr && data->hasFormat(kMimeType);
}

std::optional<std::string> MimeItemClipboard::GetItems() const
{
    if (!HasItems())
        return std::nullopt;
    const QByteArray bytes = m_clipboard->mimeData()->data(kMimeType);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}
