// Keeps a library valid while its room has no source of its own yet.
