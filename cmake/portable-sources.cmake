# The parts of TAVRO that need no Windows API: the text catalogue, the screen catalogue and play
# list, EDID decoding (monitor/), the judging of what Windows reports of the monitor's colours,
# the monitor key paths, the hand-over to the painter thread, the sweep's samples, the guidance panel's
# texts as the program carries them (packed) and their unpacking, the readability text, the one-to-one screen's facts, the variable-refresh screens' timing and frame numbers and
# the HDR screens' frames (hdr/). Every file includes the
# standard library only. The Windows build and the native sanitizer and fuzzing build
# (tests/native) both make the library tavro_portable from this one list.
set(TAVRO_PORTABLE_SOURCES
  app/texts.cpp
  testrun/catalogue.cpp
  monitor/edid.cpp
  monitor/edid_cta.cpp
  monitor/edid_displayid.cpp
  monitor/edid_name.cpp
  monitor/edid_identity.cpp
  monitor/edid_colour.cpp
  monitor/edid_colour_cta.cpp
  monitor/edid_colour_displayid.cpp
  monitor/edid_colour_gamut.cpp
  record/findings.cpp
  record/motion_line.cpp
  record/report_html.cpp
  record/report_stream.cpp
  record/report_json.cpp
  record/report_path.cpp
  record/report_texts.cpp
  app/command_line.cpp
  app/bounded_format.cpp
  monitor/edid_timing.cpp
  monitor/monitor_key.cpp
  testrun/paint_handover.cpp
  testrun/pacer_loop.cpp
  testrun/vrr_schedule.cpp
  testrun/guide_lookup.cpp
  testrun/guide_texts_packed.cpp
  app/lz_unpack.cpp
  testrun/vrr_frame.cpp
  testrun/vrr_texts.cpp
  sound/sweep_samples.cpp
  patterns/text_fill.cpp
  testrun/monitor_rate.cpp
  app/window_place.cpp
  monitor/display_state.cpp
  monitor/colour_texts.cpp
  monitor/colour_summary.cpp
  testrun/colour_guide.cpp
  patterns/display_facts.cpp
  hdr/half_float.cpp
  hdr/pq_curve.cpp
  hdr/gamut_matrix.cpp
  hdr/hdr_frame.cpp
  hdr/hdr_grid.cpp
  hdr/peak_window.cpp
  hdr/box_screens.cpp
  hdr/steps_screen.cpp
  hdr/gamut_screen.cpp
  hdr/hdr_texts.cpp
  hdr/hdr_modes.cpp
  hdr/frame_number.cpp)
list(TRANSFORM TAVRO_PORTABLE_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/../)
