#include "OptionValues.h"

#include "CplSettings.h"
#include "RegistrySettings.h"

namespace cpl {

const OptionValueName kOptionValueNames[kOptionValueCount] = {
    {L"ShadowX", &OptionValues::ShadowX},
    {L"ShadowY", &OptionValues::ShadowY},
    {L"ShadowDark", &OptionValues::ShadowDark},
    {L"ShadowSharpness", &OptionValues::ShadowSharpness},
    {L"Transparency", &OptionValues::Transparency},
    {L"HueShift", &OptionValues::HueShift},
    {L"ShadowDynamic", &OptionValues::ShadowDynamic},
    {L"LightX", &OptionValues::LightX},
    {L"LightY", &OptionValues::LightY},
    {L"LightHeight", &OptionValues::LightHeight},
    {L"CursorHeight", &OptionValues::CursorHeight},
};

OptionValues LoadOptionValues(HKEY root, const wchar_t* key)
{
    const OptionValues defaults;
    OptionValues values;
    for (const OptionValueName& value : kOptionValueNames)
        ReadRegistryDword(&(values.*value.Member), root, key, value.Name, defaults.*value.Member);
    return values;
}

int SaveOptionValues(const OptionValues& values, HKEY root, const wchar_t* key)
{
    int written = 0;
    for (const OptionValueName& value : kOptionValueNames)
        written += WriteDwordIfChanged(values.*value.Member, root, key, value.Name);
    return written;
}

}  // namespace cpl
