#include "online/client_query.h"

#include <cstdio>

#include "shell/app.h"
#include "shell/product.h"

std::string ClientQuery(const App& app) {
  const auto& id = app.clientId;
  char query[128];
  std::snprintf(query, sizeof query,
                "ver=%s&modo=%d&id=%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X",
                kProductVersion, app.is64BitOs ? 64 : 32, id[0], id[1], id[2], id[3], id[4], id[5], id[6],
                id[7], id[8], id[9], id[10], id[11], id[12], id[13], id[14], id[15]);
  return query;
}
