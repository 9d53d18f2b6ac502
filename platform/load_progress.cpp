#include "platform/load_progress.h"

namespace {
thread_local LoadProgressListener t_listener;
}

void SetLoadProgressListener(LoadProgressListener listener)
{
    t_listener = std::move(listener);
}

void ReportLoadProgress(std::uint64_t bytesRead, std::uint64_t bytesTotal)
{
    if (t_listener)
        t_listener(bytesRead, bytesTotal);
}
