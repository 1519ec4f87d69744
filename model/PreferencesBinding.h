#pragma once

class MapModel;
class Preferences;

/// Where the model's lasting choices live in the preferences: the zone under
/// "DefaultTimeZone", each layer under its stored key, as earlier versions
/// stored them, the pinned zones under "PinnedTimeZones", and the view and the
/// centre the user chose under "Projection" and "ProjectionCentre".
namespace PreferencesBinding {

/// Registers the defaults: the system's zone, each layer's own default.
void registerDefaults(Preferences &preferences);

/// Sets the model from the preferences: the layers, and the stored zone if the
/// system knows it, else the system's own, which is then stored when
/// storeFallback is set.
void restore(MapModel &model, Preferences &preferences, bool storeFallback);

/// From now on, stores each zone the user chooses and each change of a layer.
void keepStored(MapModel &model, Preferences &preferences);

} // namespace PreferencesBinding
