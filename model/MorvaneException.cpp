// Morvane model library.
// The one error type of the model, its code table GM_ERROR and the critical-error policy.
#include "model/MorvaneException.h"

#include "foundation/EnumValueMap.h"
#include "foundation/TextFormat.h"

namespace {

CEnumValueMap makeErrorNames()
{
    const struct
    {
        GM_ERROR code;
        const char *name;
    } rows[] = {
        {GM_NO_ERROR, "GM_NO_ERROR"},
        {GM_NO_SUCH_FILE, "GM_NO_SUCH_FILE"},
        {GM_BAD_STRUCTURE, "GM_BAD_STRUCTURE"},
        {GM_VERSION_MISMATCH, "GM_VERSION_MISMATCH"},
        {GM_DISK_FULL, "GM_DISK_FULL"},
        {GM_WRITE_DENIED, "GM_WRITE_DENIED"},
        {GM_IO_ERROR, "GM_IO_ERROR"},
        {GM_LACK_OF_MEMORY, "GM_LACK_OF_MEMORY"},
        {GM_UNEXPECTED_INTERNAL_ERROR, "GM_UNEXPECTED_INTERNAL_ERROR"},
        {GM_VARNE_ERROR, "GM_VARNE_ERROR"},
        {GM_OTHER_LOAD_SAVE_ERROR, "GM_OTHER_LOAD_SAVE_ERROR"},
        {GM_NO_MORVANE_CONNECTION, "GM_NO_MORVANE_CONNECTION"},
        {GM_COULD_NOT_OPEN_SOCKET, "GM_COULD_NOT_OPEN_SOCKET"},
        {GM_COULD_NOT_CLOSE_SOCKET, "GM_COULD_NOT_CLOSE_SOCKET"},
        {GM_COULD_NOT_CHANGE_SOCKET_STATE, "GM_COULD_NOT_CHANGE_SOCKET_STATE"},
        {GM_COULD_NOT_READ_IN_SOCKET, "GM_COULD_NOT_READ_IN_SOCKET"},
        {GM_COULD_NOT_WRITE_IN_SOCKET, "GM_COULD_NOT_WRITE_IN_SOCKET"},
        {GM_NO_CLIENT_CONNECTION_TO_SOCKET, "GM_NO_CLIENT_CONNECTION_TO_SOCKET"},
        {GM_EMPTY_REQUEST, "GM_EMPTY_REQUEST"},
        {GM_INVALID_REQUEST_FORMAT, "GM_INVALID_REQUEST_FORMAT"},
    };
    CEnumValueMap names;
    for (const auto &row : rows)
        names.Add(static_cast<uint32_t>(row.code), row.name);
    return names;
}

bool isCritical(GM_ERROR code)
{
    return (code >= GM_BAD_STRUCTURE && code <= GM_COULD_NOT_OPEN_SOCKET) ||
           (code >= GM_COULD_NOT_CHANGE_SOCKET_STATE && code <= GM_INVALID_REQUEST_FORMAT);
}

} // namespace

CMorvaneException::CMorvaneException(GM_ERROR code)
    : m_eError(code)
    , m_sMessage(morvane::format("Critical error '%s'!\nApplication will close!",
                                 GetErrorNames().GetNameById(static_cast<uint32_t>(code)).c_str()))
{
}

std::string CMorvaneException::GetFormatError() const
{
    return m_sMessage;
}

const char *CMorvaneException::what() const noexcept
{
    return m_sMessage.c_str();
}

bool CMorvaneException::HasError(GM_ERROR code)
{
    return code != GM_NO_ERROR;
}

void CMorvaneException::HandleCriticalError(GM_ERROR code)
{
    if (isCritical(code))
        throw CMorvaneException(code);
}

const CEnumValueMap &CMorvaneException::GetErrorNames()
{
    static const CEnumValueMap names = makeErrorNames();
    return names;
}
