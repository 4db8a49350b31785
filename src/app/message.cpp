#include "app/message.h"

#include <cstdio>

#include "app/lang.h"

namespace {

int DefaultHandler(void*, const char* text, const char* caption, unsigned flags)
{
    std::fprintf(stderr, "%s: %s\n", caption ? caption : "", text ? text : "");
    switch (flags & 0x0F) {
    case SV_MB_YESNO:
    case SV_MB_YESNOCANCEL:
        return SV_IDYES;
    default:
        return SV_IDOK;
    }
}

MessageBoxHandler g_handler = DefaultHandler;

} // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    MessageBoxHandler previous = g_handler;
    g_handler = handler ? handler : DefaultHandler;
    return previous;
}

int ShowMessageBox(void* owner, const char* text, const char* caption, unsigned flags)
{
    return g_handler(owner, text, caption, flags);
}

int ShowMessageBoxIdV(void* owner, int text_id, int caption_id, unsigned flags, va_list args)
{
    char format[1024];
    char caption[256];
    char text[2048];
    LANG_LoadFormat(nullptr, text_id, format, sizeof format);
    LANG_LoadString(nullptr, caption_id, caption, sizeof caption);
    std::vsnprintf(text, sizeof text, format, args);
    return ShowMessageBox(owner, text, caption, flags);
}

int ShowMessageBoxId(void* owner, int text_id, int caption_id, unsigned flags, ...)
{
    va_list args;
    va_start(args, flags);
    int answer = ShowMessageBoxIdV(owner, text_id, caption_id, flags, args);
    va_end(args);
    return answer;
}

int ReportBug(int level, const char* text)
{
    static const char* const captions[3] = {
        "BUG REPORT: Error level 0 (Fatal errors)",
        "BUG REPORT: Error level 1 (Serious errors)",
        "BUG REPORT: Error level 2 (Errors)",
    };
    if (level < 0) level = 0;
    if (level > 2) level = 2;
    ShowMessageBox(nullptr, text, captions[level], SV_MB_OK | SV_MB_ICONERROR);
    return 1;
}
