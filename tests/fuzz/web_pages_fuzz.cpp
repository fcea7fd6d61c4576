// The title lookup's pages: search results and a film's page.
#include "fuzz_input.h"
#include "source/imdb_pages.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto f = fuzz::Fields(fuzz::Text(data, size), 2);
  TitleMatch match;
  ReadResultsPage(f[1], f[0], match);
  ReadFilmPage(f[1], f[0], match);
  return 0;
}
