// The places of the atlas near a point, and the zone a birth at that point
// takes from them: the nearest place's, when every place within 100 km kept
// the same zone at the birth's date and time.
#pragma once

#include <string>
#include <vector>

#include "atlas/atlas.h"

// The distance in kilometres along the great circle between two points in
// decimal degrees (haversine, on a sphere of the Earth's mean radius, 6371
// km).
double kmapart(double lat1, double lon1, double lat2, double lon2);

// The Earth's mean radius, and the length of one degree of a great circle
// on it, in kilometres.
constexpr double radius_km = 6371.0;
constexpr double degree_km = radius_km * 3.14159265358979323846 / 180;

// The places whose zone may be a birth's at lat, lon: those within 100 km.
constexpr double nearkm = 100;

// Where a birth given by its coordinates takes its zone from.
struct nearzones {
  double lat = 0, lon = 0;  // the birth's, decimal degrees
  nearby nearest;           // the nearest place of the atlas, at any distance
  // Each zone named by a place within 100 km, once, with the nearest place
  // that names it; nearest first, so the first is the nearest place's when
  // it lies within 100 km.
  std::vector<nearby> zones;
};

// The places near lat, lon in atlas a.
nearzones nearzonesof(atlas& a, double lat, double lon);

// Why no place's zone history can be taken for a birth at n's point,
// whatever its date: no place lies within 100 km. Empty when one does. The
// text ends before what the user is to do: "No place of the atlas lies
// within 100 km of 0N00 150W00: the nearest is Papeete, Îles du Vent,
// French Polynesia, 1951 km away".
std::string nonenear(const nearzones& n);

// Why the nearest place's zone history cannot be taken for a birth at the
// local time year-mon-day hour:min at n's point: nonenear's reason, or
// places within 100 km that kept different zones at that time (local mean
// time, before standard time, is the point's own in every zone). Empty
// when it can.
std::string zonesdiffer(const nearzones& n, int year, int mon, int day, int hour, int min);

// "Pune, 24 km": a place's name and its distance rounded to the kilometre.
std::string nearname(const nearby& b);
