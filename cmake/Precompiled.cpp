// Hosts the precompiled Qt headers; see BuildSpeed.cmake.
