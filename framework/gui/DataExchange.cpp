// The field exchange's fields and checks.
#include "gui/DataExchange.h"

#include "gui/Dialog.h"

namespace fw {

std::optional<std::uint32_t> ReadUnsignedField(std::string_view /*text*/)
{
    return std::nullopt;
}

std::optional<std::int32_t> ReadSignedField(std::string_view /*text*/)
{
    return std::nullopt;
}

void DDX_Text(CDataExchange* /*pDX*/, int /*id*/, std::uint32_t& /*value*/) {}
void DDX_Text(CDataExchange* /*pDX*/, int /*id*/, std::int32_t& /*value*/) {}
void DDX_Text(CDataExchange* /*pDX*/, int /*id*/, ByteString& /*value*/) {}
void DDV_MinMaxUInt(CDataExchange* /*pDX*/, std::uint32_t /*value*/, std::uint32_t /*minValue*/,
                    std::uint32_t /*maxValue*/)
{
}
void DDV_MaxChars(CDataExchange* /*pDX*/, const ByteString& /*value*/, int /*limitBytes*/) {}
void DDX_Check(CDataExchange* /*pDX*/, int /*id*/, int& /*value*/) {}

}  // namespace fw
