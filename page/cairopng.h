// A cairo image as a PNG file.
#pragma once

#include <cairo.h>

// Writes an RGB24 image as PNG through write (as cairo's own writer does):
// 8-bit grey when every pixel is grey, as the black-on-white page always is,
// RGB otherwise; fast zlib compression without row filters. For the page this
// takes about a tenth of the time of cairo's writer (zlib's default level and
// adaptive filters) and gives a file about half the size. Returns false when a
// write failed.
bool writepng(cairo_surface_t* img, cairo_write_func_t write, void* closure);
