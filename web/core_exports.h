// The functions the page's script calls in the WebAssembly module. The
// script writes its text (a catalog, an address, a form) into the input
// buffer, calls one function, and reads the reply: part 0 is a small JSON
// object, further parts are texts to show or save, as raw bytes.
//
// Only plain numbers cross the boundary; every text goes through memory.
// Natively they are plain C functions, which the tests call.
#ifndef GLIMMERKIST_WEB_CORE_EXPORTS_H_
#define GLIMMERKIST_WEB_CORE_EXPORTS_H_

#include <cstddef>
#include <cstdint>

#ifdef __wasm__
#define GLIMMERKIST_EXPORT(name) __attribute__((export_name(name)))
#else
#define GLIMMERKIST_EXPORT(name)
#endif

extern "C" {

/// A buffer of `size` bytes for the next call's text, or null when memory is
/// short. It stays valid until the next call of gk_input.
GLIMMERKIST_EXPORT("gk_input") char* gk_input(std::size_t size);

/// The last call's reply: its number of parts, and each part's bytes and
/// size. REQUIRES: 0 <= part < gk_reply_count().
GLIMMERKIST_EXPORT("gk_reply_count") int gk_reply_count();
GLIMMERKIST_EXPORT("gk_reply_data") const char* gk_reply_data(int part);
GLIMMERKIST_EXPORT("gk_reply_size") std::size_t gk_reply_size(int part);

/// What the page lays its forms and tables out with: {"labels": [...],
/// "tags": [...]} of the categories by code, "metals": [{"code", "name"}]
/// in the order of the coins, and "stats_headings", the figures' columns.
GLIMMERKIST_EXPORT("gk_categories") void gk_categories();

/// Loads the catalog in the first `size` input bytes. Reply: {"filed",
/// "message", "hint", "counts"}: the message "" when the catalog is in use
/// now, else why it was refused; the counts those of the catalog in use.
GLIMMERKIST_EXPORT("gk_load_catalog") void gk_load_catalog(std::size_t size);

/// Loads a chart file: the first `nameSize` input bytes are its name, the
/// rest up to `size` its bytes. Reply: {"message", "file", "charts": [{"name",
/// "description"}]}: the message "" when its charts are in use now, else why
/// it was refused; the file and charts those in use.
GLIMMERKIST_EXPORT("gk_load_charts") void gk_load_charts(std::size_t size, std::size_t nameSize);

/// Back to the built-in charts only. Reply as gk_load_charts.
GLIMMERKIST_EXPORT("gk_forget_charts") void gk_forget_charts();

/// 1 when the file in the input, laid out as for gk_load_charts, is a chart
/// file rather than a catalog, else 0.
GLIMMERKIST_EXPORT("gk_is_chart_file") int gk_is_chart_file(std::size_t size, std::size_t nameSize);

/// Draws the hoard of the address in the first `size` input bytes. Reply:
/// {"problem"}, with "missing_charts" when it names a chart file the page
/// lacks, or {"address", "charts" (the chart's file, "" for a
/// built-in chart), "seed", "split", "rates", "gem_lines" (the gems
/// gathered by kind and value, for the page)}, then the JSON
/// document, the Markdown and the result file, as glimmerkist-roll and the
/// console program write them, and the JSON document with names as the page
/// shows them.
GLIMMERKIST_EXPORT("gk_draw_hoard") void gk_draw_hoard(std::size_t size, std::uint32_t freshSeed);

/// Picks the item of the address in the first `size` input bytes,
/// "item=3&seed=42" or "item=any", with `freshSeed` when it gives no seed.
/// Reply: {"problem"} or {"item": {"name", "category", "tag"}, all null for
/// an empty category, "seed", "address"}.
GLIMMERKIST_EXPORT("gk_pick_item") void gk_pick_item(std::size_t size, std::uint32_t freshSeed);

/// Checks a statistics form in the first `size` input bytes, "charts=AZ&
/// runs=100000&seed=": {"problem"} or {"charts": [0, 25], "runs", "seed"}.
/// With "&file=1" the charts are names of the chart file in use, apart by
/// blanks or commas, none for all of them.
GLIMMERKIST_EXPORT("gk_plan_stats") void gk_plan_stats(std::size_t size, std::uint32_t freshSeed);

/// One chart's figures, those of glimmerkist-roll stats: built-in chart 0
/// to 25, or with `ofFile` 1 a chart of the chart file in use. Reply: {"figures":
/// the chart's entry of its JSON, "cells": its row as every format shows it,
/// "guide": a line for the chart guide}. While it counts it calls the page's
/// gk_progress with the hoards drawn so far.
GLIMMERKIST_EXPORT("gk_chart_stats")
void gk_chart_stats(int chart, double runs, std::uint32_t seed, int ofFile);

}  // extern "C"

#endif  // GLIMMERKIST_WEB_CORE_EXPORTS_H_
