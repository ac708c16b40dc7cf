#pragma once
// The name generator: clan, male and female name lists.
void NGU_Listen_erzeugen();
void NGU_Listen_freigeben();
