// What the C++ side of the page calls in the page itself.
mergeInto(LibraryManager.library, {
  marivane_page_started: function() {
    if (typeof window.marivanePageStarted === 'function') window.marivanePageStarted();
  }
});
