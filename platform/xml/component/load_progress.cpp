#include "platform/xml/component/load_progress.h"

namespace {
thread_local LoadProgressListener t_listener;
thread_local LoadWaitHandler t_waitHandler;
thread_local LoadNoticeListener t_noticeListener;
} // namespace

void SetLoadProgressListener(LoadProgressListener listener)
{
    t_listener = std::move(listener);
}

bool HasLoadProgressListener()
{
    return static_cast<bool>(t_listener);
}

void ReportLoadProgress(std::uint64_t bytesRead, std::uint64_t bytesTotal)
{
    if (t_listener)
        t_listener(bytesRead, bytesTotal);
}

void SetLoadNoticeListener(LoadNoticeListener listener)
{
    t_noticeListener = std::move(listener);
}

void ReportLoadNotice(const std::string& notice)
{
    if (t_noticeListener)
        t_noticeListener(notice);
}

void SetLoadWaitHandler(LoadWaitHandler handler)
{
    t_waitHandler = std::move(handler);
}

bool HasLoadWaitHandler()
{
    return static_cast<bool>(t_waitHandler);
}

bool ContinueLoadWait()
{
    return !t_waitHandler || t_waitHandler();
}
