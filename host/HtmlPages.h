// Makes the description pane read .htm/.html pages as HTML whatever MIME type the system gives.
#pragma once

// Some systems type .htm files as application/xhtml+xml, which the HTML view would otherwise
// show as raw mark-up. Safe to call more than once.
void ReadHtmFilesAsHtml();
