#pragma once
// Referenced documents fetched over http or https are kept per user, so that
// a schema named by every file of a project is fetched once, and so that a
// document validated once validates again when its server cannot be reached.
//
// The cache lives in ${XDG_CACHE_HOME:-$HOME/.cache}/corvane/, one file per
// location. The server's cache headers decide how long a copy is used
// without asking (Cache-Control max-age, Expires); after that the server is
// asked whether the copy is still current (ETag, Last-Modified). Entries are
// written whole under a temporary name and then renamed, carry a checksum,
// and are read only when complete and intact, so several programs can share
// the folder and a damaged entry is simply fetched again. The least recently
// used entries go first when the folder would outgrow its bound.

#include "platform/xml/references/remote_fetch.h"

#include <cstdint>
#include <functional>
#include <string>

// Fetches a location through the cache. With the network off (see
// RemoteFetchLimits::networkAllowed) only a kept copy answers; without one
// the result is Status::Offline. A kept copy past its freshness that answers
// in the server's stead (the server cannot be reached, or the network is
// off) is named to `notice`, with the time it was fetched, in words for the
// user.
RemoteFetchResult FetchThroughCache(const std::string& url, const RemoteFetchLimits& limits,
                                    const std::function<void(const std::string&)>& notice);

// The cache's folder for the current environment; empty when neither
// XDG_CACHE_HOME nor HOME names an absolute folder.
std::string RemoteCacheFolder();
