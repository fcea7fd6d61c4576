#pragma once
// Looking a movie title up on the IMDb web site: its local title, original
// title, year and the site's identifier of the film.

#include <string>

#include "source/imdb_pages.h"

struct App;

// The site's address without a trailing slash: $QUANDRELL_IMDB_URL when
// set (tests point it at a server of their own), else the real site.
std::string ImdbSiteAddress();

// Searches the site for `query`. Returns true when a local title was
// found; `match` starts empty. Blocks for at most the request timeouts;
// any HTTP failure counts as not found.
bool ImdbLookup(const std::string& query, TitleMatch& match);

// The picture IMDB was clicked: the found film's page opens in the browser.
int CallGoImdb(App& app, int event);
