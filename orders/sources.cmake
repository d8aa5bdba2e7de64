# Sources of the orders windows (headers-only windows need no entry).
list(APPEND VELT_WINDOW_SOURCES
)
