#include "editor/punktmarken.h"

bool PunktmarkeZeigen(const Spaltenraster& raster, double vorher, double t, double nachher) {
  const double abstand = kPunktmarkenAbstand * raster.Spaltenbreite();
  return t >= raster.Start() - abstand && t <= raster.Ende() + abstand && t - vorher >= abstand &&
         nachher - t >= abstand;
}
