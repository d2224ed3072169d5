#include "UiTextFormat.h"

namespace {

class BoundedWriter {
public:
    BoundedWriter(wchar_t* buffer, size_t chars) : buffer_(buffer), room_(chars ? chars - 1 : 0) {}

    void Put(wchar_t c)
    {
        if (length_ < room_)
            buffer_[length_++] = c;
    }
    void Put(const wchar_t* text)
    {
        for (; text && *text && length_ < room_; ++text)
            buffer_[length_++] = *text;
    }
    size_t Finish()
    {
        buffer_[length_] = L'\0';
        return length_;
    }

private:
    wchar_t* buffer_;
    size_t room_;
    size_t length_ = 0;
};

}  // namespace

size_t FormatUiText(wchar_t* buffer, size_t bufferChars, const wchar_t* text,
                    const wchar_t* fallback, const wchar_t* argument)
{
    if (!buffer || bufferChars == 0)
        return 0;
    BoundedWriter out(buffer, bufferChars);
    const wchar_t* at = text ? text : fallback;
    bool filled = false;
    while (at && *at) {
        if (at[0] == L'%' && at[1] == L'%') {
            out.Put(L'%');
            at += 2;
        } else if (at[0] == L'%' && at[1] == L's' && !filled) {
            out.Put(argument);
            filled = true;
            at += 2;
        } else {
            out.Put(*at++);
        }
    }
    return out.Finish();
}
