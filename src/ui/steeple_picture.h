// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own picture, a parish church under a night sky, drawn for
// Steeplewatcher as SVG (steeple.svg beside this file holds the same text).
namespace ui {

inline constexpr char kSteeplePicture[] =
    R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="273" height="385" viewBox="0 0 273 385">
  <title>Steeplewatcher: a parish church under a night sky</title>
  <defs>
    <linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#1d3557"/>
      <stop offset="1" stop-color="#a8c5da"/>
    </linearGradient>
  </defs>
  <rect width="273" height="385" fill="url(#sky)"/>
  <circle cx="215" cy="60" r="22" fill="#f4f1de"/>
  <circle cx="40" cy="40" r="2" fill="#ffffff"/>
  <circle cx="90" cy="75" r="1.5" fill="#ffffff"/>
  <circle cx="160" cy="30" r="1.5" fill="#ffffff"/>
  <path d="M0 330 Q70 300 140 320 T273 310 V385 H0 Z" fill="#386641"/>
  <!-- the spire and its tower -->
  <polygon points="120,40 100,170 140,170" fill="#6c584c"/>
  <rect x="117" y="22" width="6" height="22" fill="#dda15e"/>
  <rect x="111" y="28" width="18" height="5" fill="#dda15e"/>
  <rect x="95" y="170" width="50" height="150" fill="#a98467"/>
  <rect x="112" y="195" width="16" height="30" rx="8" fill="#283618"/>
  <!-- the nave -->
  <polygon points="145,230 235,230 250,260 145,260" fill="#6c584c"/>
  <rect x="145" y="260" width="100" height="65" fill="#a98467"/>
  <rect x="165" y="275" width="12" height="24" rx="6" fill="#283618"/>
  <rect x="195" y="275" width="12" height="24" rx="6" fill="#283618"/>
  <rect x="225" y="275" width="12" height="24" rx="6" fill="#283618"/>
  <rect x="108" y="280" width="24" height="40" rx="12" fill="#283618"/>
  <!-- a watcher's compass rose -->
  <g transform="translate(45,250)" fill="#f4f1de" stroke="#283618" stroke-width="1">
    <polygon points="0,-30 6,-6 0,0 -6,-6"/>
    <polygon points="30,0 6,6 0,0 6,-6"/>
    <polygon points="0,30 -6,6 0,0 6,6"/>
    <polygon points="-30,0 -6,-6 0,0 -6,6"/>
  </g>
</svg>
)svg";

} // namespace ui
