// Morvane program view.
// The item clipboard of the program: the system clipboard under the program's own MIME type.
#pragma once

#include "app/commands/ItemClipboard.h"

#include <QtCore/qglobal.h>

QT_BEGIN_NAMESPACE
class QClipboard;
QT_END_NAMESPACE

/// Copied mask items on the system clipboard: the payload's bytes, exactly, as the data of
/// kMimeType. Other programs' content, and a clipboard without that type, hold no items. On X11
/// the content goes with the program when it ends, unless a clipboard manager keeps it.
class MimeItemClipboard : public IItemClipboard
{
public:
    static constexpr const char *kMimeType = "application/x-morvane-items";

    /// The application's clipboard (needs a QGuiApplication) unless another is given.
    explicit MimeItemClipboard(QClipboard *clipboard = nullptr);

    void SetItems(const std::string &payload) override;
    bool HasItems() const override;
    std::optional<std::string> GetItems() const override;

private:
    QClipboard *m_clipboard;
};
